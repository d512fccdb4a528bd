#pragma once
// The y-th root, the power and the random whole number of the two-value dialog.
