#include "language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTranslator>

#include "prompt/translate.h"

namespace vantor {

QString ChosenLanguage(const QSettings& settings) {
    const QString saved = settings.value(QLatin1String(kLanguageKey)).toString();
    if (saved == QLatin1String("ja") || saved == QLatin1String("en")) return saved;
    return EnvironmentPrefersJapanese() ? QStringLiteral("ja") : QStringLiteral("en");
}

bool InstallTranslations(const QString& program, const QString& language) {
    if (language != QLatin1String("en")) return true;
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    bool complete = true;
    for (const QString& name : {program, QStringLiteral("core")}) {
        auto* translator = new QTranslator(QCoreApplication::instance());
        if (translator->load(name + QStringLiteral("_en"), folder))
            QCoreApplication::installTranslator(translator);
        else
            complete = false;
    }
    SetTextLookup([](const char* context, const char* source) {
        return QCoreApplication::translate(context, source).toStdString();
    });
    return complete;
}

void SaveLanguage(QSettings& settings, const QString& language) {
    settings.setValue(QLatin1String(kLanguageKey), language);
}

void AddLanguageMenu(QMenu* parent, const QString& current,
                     const std::function<void(const QString&)>& save) {
    QMenu* menu = parent->addMenu(QCoreApplication::translate("vantor::Language", "言語"));
    auto* group = new QActionGroup(menu);
    // Each language is named in itself, so it can be found in either.
    const std::pair<const char*, QString> languages[] = {{"ja", QStringLiteral("日本語")},
                                                         {"en", QStringLiteral("English")}};
    for (const auto& [code, name] : languages) {
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setChecked(current == QLatin1String(code));
        group->addAction(action);
        QObject::connect(
            action, &QAction::triggered, menu, [save, code = QString::fromLatin1(code), menu] {
                save(code);
                QMessageBox::information(
                    menu->window(), QCoreApplication::translate("vantor::Language", "言語"),
                    QCoreApplication::translate("vantor::Language",
                                                "表示言語は次回の起動から変わります。"));
            });
    }
}

}  // namespace vantor
