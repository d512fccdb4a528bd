#include "ui/language.h"

#include "core/words.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

namespace orbetta::ui {

namespace {

QString& chosen() {
    static QString language;
    return language;
}

// "de_DE.UTF-8@euro" is "de_DE".
std::string_view withoutCodeset(std::string_view name) {
    return name.substr(0, name.find_first_of(".@"));
}

enum class Verdict { English, Shipped, Unknown };

Verdict judge(std::string_view name, const std::function<bool(std::string_view)>& shipped,
              std::string& found) {
    name = withoutCodeset(name);
    if (name.empty())
        return Verdict::Unknown;
    if (name == "C" || name == "POSIX")
        return Verdict::English;
    const std::string_view language = name.substr(0, name.find('_'));
    const std::string_view region = name.size() > language.size() ? name.substr(language.size() + 1) : "";
    if (language == "en")
        return Verdict::English;
    std::string candidates[3] = {std::string(name), std::string(language), {}};
    // The region's own writing first; Portugal reads Brazilian Portuguese better than English, and Singapore
    // writes Simplified Chinese as China does. Taiwan, Hong Kong and Macao write Traditional Chinese.
    if (language == "pt")
        candidates[2] = "pt_BR";
    else if (language == "zh" && region != "TW" && region != "HK" && region != "MO")
        candidates[2] = "zh_CN";
    for (const std::string& candidate : candidates) {
        if (!candidate.empty() && shipped(candidate)) {
            found = candidate;
            return Verdict::Shipped;
        }
    }
    return Verdict::Unknown;
}

// Known before the application object is made, as applicationDirPath() knows it.
QString programFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

QString translationFile(const QString& language, const QString& programDir) {
    for (const QString& folder : dataFolders(programDir)) {
        const QString path =
            QDir(folder).filePath(QStringLiteral("translations/orbetta_%1.qm").arg(language));
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

const char* fromEnvironment(const char* name) {
    return std::getenv(name);
}

// A language is shipped when its translation is where the program looks.
std::string chooseFor(const std::function<const char*(const char*)>& environment, const QString& programDir) {
    return chooseLanguage(environment, [&](std::string_view language) {
        return std::ranges::find(kShippedLanguages, language) != std::end(kShippedLanguages) &&
               !translationFile(QString::fromUtf8(language.data(), static_cast<qsizetype>(language.size())),
                                programDir)
                    .isEmpty();
    });
}

std::vector<QTranslator*>& installed() {
    static std::vector<QTranslator*> translators;
    return translators;
}

std::string engineWords(const char* context, std::string_view text) {
    return QCoreApplication::translate(context, std::string(text).c_str()).toStdString();
}

} // namespace

std::string chooseLanguage(const std::function<const char*(const char*)>& environment,
                           const std::function<bool(std::string_view)>& shipped) {
    std::string found;
    if (const char* list = environment("LANGUAGE"); list && *list) {
        std::string_view rest(list);
        while (!rest.empty()) {
            const std::size_t colon = rest.find(':');
            const Verdict verdict = judge(rest.substr(0, colon), shipped, found);
            if (verdict == Verdict::English)
                return {};
            if (verdict == Verdict::Shipped)
                return found;
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        if (const char* value = environment(variable); value && *value)
            return judge(value, shipped, found) == Verdict::Shipped ? found : std::string();
    }
    return {};
}

QString installTranslations() {
    return installTranslations(fromEnvironment, programFolder());
}

QString installTranslations(const std::function<const char*(const char*)>& environment,
                            const QString& programDir) {
    removeTranslations();
    const QString language = QString::fromStdString(chooseFor(environment, programDir));
    chosen() = language;
    if (language.isEmpty())
        return language;
    auto* own = new QTranslator(QCoreApplication::instance());
    auto* qts = new QTranslator(QCoreApplication::instance());
    const bool ownLoaded = own->load(translationFile(language, programDir));
    const bool qtsLoaded =
        qts->load(QStringLiteral("qtbase_") + language, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (auto [translator, loaded] : {std::pair{own, ownLoaded}, std::pair{qts, qtsLoaded}}) {
        if (loaded && QCoreApplication::installTranslator(translator))
            installed().push_back(translator);
        else
            delete translator;
    }
    orbetta::setTranslator(&engineWords);
    return language;
}

void removeTranslations() {
    orbetta::setTranslator(nullptr);
    for (QTranslator* translator : installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
    chosen().clear();
}

QString installedLanguage() {
    return chosen();
}

QString translateEarly(const char* context, const char* text) {
    const QString folder = programFolder();
    const std::string language = chooseFor(fromEnvironment, folder);
    QTranslator translator;
    if (language.empty() || !translator.load(translationFile(QString::fromStdString(language), folder)))
        return QString::fromUtf8(text);
    const QString translated = translator.translate(context, text);
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

QStringList dataFolders(const QString& programDir) {
    const QDir dir(programDir);
    return {dir.absolutePath(), QDir::cleanPath(dir.filePath(QStringLiteral("../share/orbetta")))};
}

} // namespace orbetta::ui
