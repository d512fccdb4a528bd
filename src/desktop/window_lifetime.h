#pragma once

class QObject;

namespace orbetta::desktop {

// Called first in the destructor of a window, or of a control that listens to the application. A window's
// controls and its owned windows are destroyed after the window's own members, while closing them still moves
// the focus and emits: from this call on, no signal of the application or of the object's children reaches
// the object or its children, and none of them filters the application's events or each other's, so nothing
// runs on a half-destroyed object.
void stopListening(QObject* object);

} // namespace orbetta::desktop
