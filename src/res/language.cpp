#include "res/language.h"

#include "framework/image_resources.h"
#include "framework/template_text.h"

#include <QLocale>
#include <QSettings>

#include <memory>

namespace velmaro::res {
namespace {

const QString kLanguageKey = QStringLiteral("language");

QString& SettingsFile() {
    static QString file;
    return file;
}

std::unique_ptr<QSettings> OpenSettings() {
    if (!SettingsFile().isEmpty()) {
        return std::make_unique<QSettings>(SettingsFile(), QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QStringLiteral("Oskelta"), QStringLiteral("Velmaro"));
}

QString Code(texts::Language language) {
    const std::string_view code = texts::LanguageCode(language);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

// The text source every window reads, in the language in use.
std::string_view TextInUse(std::string_view id) {
    return texts::Lookup(id);
}

} // namespace

texts::Language LanguageOfDesktop(const QStringList& uiLanguages) {
    for (const QString& language : uiLanguages) {
        const QString primary = language.section(QLatin1Char('-'), 0, 0).section(u'_', 0, 0);
        if (primary.compare(QLatin1String("zh"), Qt::CaseInsensitive) == 0) {
            return texts::Language::Chinese;
        }
    }
    return texts::Language::English;
}

std::optional<texts::Language> RememberedLanguage() {
    const QString code = OpenSettings()->value(kLanguageKey).toString();
    return texts::LanguageOfCode(code.toStdString());
}

void RememberLanguage(texts::Language language) {
    const std::unique_ptr<QSettings> settings = OpenSettings();
    settings->setValue(kLanguageKey, Code(language));
    settings->sync();
}

void KeepLanguageIn(const QString& iniFile) {
    SettingsFile() = iniFile;
}

texts::Language StartLanguage(std::optional<texts::Language> requested) {
    if (requested) {
        return *requested;
    }
    if (const std::optional<texts::Language> remembered = RememberedLanguage()) {
        return *remembered;
    }
    return LanguageOfDesktop(QLocale::system().uiLanguages());
}

void UseLanguage(texts::Language language) {
    texts::SetLanguage(language);
    fw::SetTextSource(&TextInUse);
    // The pictures are drawn in Chinese; the others have a folder each.
    fw::SetPictureVariant(language == texts::Language::Chinese ? QString() : Code(language));
}

} // namespace velmaro::res
