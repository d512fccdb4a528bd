#pragma once
// The user's language: chosen from the environment as gettext programs choose it, and the translations of
// the program's texts and of Qt's own (standard buttons, the file dialog) loaded for it.

#include <QString>

#include <functional>
#include <string>
#include <string_view>

namespace orbetta::ui {

// The languages the program ships besides English, as the .qm files name them.
inline constexpr std::string_view kShippedLanguages[] = {"de", "fr", "es", "pt_BR",
                                                         "it", "pl", "ru", "zh_CN"};

// The language for an environment: each entry of LANGUAGE (a colon list) in turn, then the first of LC_ALL,
// LC_MESSAGES and LANG that is set. The first entry that is English, C or POSIX, or that names a shipped
// language, decides; a language of another region falls back to the shipped one ("de_AT" is German, "pt" and
// "pt_PT" Brazilian Portuguese, "zh" and "zh_SG" Simplified Chinese). Empty for English.
std::string chooseLanguage(const std::function<const char*(const char*)>& environment,
                           const std::function<bool(std::string_view)>& shipped);

// Loads the translations of the user's language and installs them in the application, and the translation
// of the engine's texts; for English nothing is loaded. Returns the language, empty for English.
QString installTranslations();
// The same for a given environment and a program in programDir, after taking away what was installed before.
QString installTranslations(const std::function<const char*(const char*)>& environment,
                            const QString& programDir);
// Back to English.
void removeTranslations();

// The language installTranslations() chose, empty for English or before it ran.
QString installedLanguage();

// The program's text of a context before any application object exists (the answer to --help).
QString translateEarly(const char* context, const char* text);

// The folders where the program's data may lie: beside the program when it runs from its build folder, then
// ../share/orbetta/ of an installed program.
QStringList dataFolders(const QString& programDir);

} // namespace orbetta::ui
