// The menu bar and the tool bar of the main frame, built from the command
// table. Commands that other windows serve are listed here too, so the
// menus stay in one place.

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <map>

#include "app/file_camera_menu.h"
#include "app/main_frame.h"
#include "app/tool_icons.h"
#include "commands/command_table.h"
#include "context/settings_store.h"
#include "language.h"

namespace vantor {

QAction* CMainFrame::MakeAction(const Command& command) {
    const int id = command.id;
    // Menu texts carry their accelerator after a tab, as the shortcut column.
    const QString text = MenuText(command);
    const qsizetype tab = text.indexOf(u'\t');
    auto* action = new QAction(tab >= 0 ? text.left(tab) : text, this);
    action->setData(id);
    // Some texts serve as menu text and status text at once; a status text
    // shows no mnemonic.
    action->setStatusTip(vantor::StatusText(command).remove(u'&'));
    action->setCheckable(command.kind == CommandKind::Checkable);
    if (command.shortcuts)
        action->setShortcuts(QKeySequence::listFromString(QString::fromLatin1(command.shortcuts)));
    else if (tab >= 0)
        action->setShortcut(QKeySequence(text.mid(tab + 1)));
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    actions_.insert(id, action);
    return action;
}

void CMainFrame::BuildMenus() {
    QMenuBar* bar = menuBar();
    std::map<Menu, QMenu*> menus;
    for (const Command& command : CommandTable()) {
        if (command.menu == Menu::None) {
            addAction(MakeAction(command));
            continue;
        }
        QMenu*& menu = menus[command.menu];
        if (!menu) menu = bar->addMenu(MenuTitle(command.menu));
        if (command.separatorBefore) menu->addSeparator();
        switch (command.kind) {
            case CommandKind::Submenu:
                menus[command.opens] = menu->addMenu(MenuText(command));
                break;
            case CommandKind::Placeholder:
                menu->addAction(MenuText(command))->setEnabled(false);
                break;
            default:
                menu->addAction(MakeAction(command));
                break;
        }
    }
    AddFileCameraMenu(menus[Menu::Camera], this);
    // The language choice ends the settings menu.
    QMenu* settings = menus[Menu::Settings];
    settings->addSeparator();
    AddLanguageMenu(settings, ChosenLanguage(KorvaldeSettings()), [](const QString& language) {
        KorvaldeSettings store;
        SaveLanguage(store, language);
    });

    for (QMenu* menu : bar->findChildren<QMenu*>())
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
}

void CMainFrame::BuildToolBar() {
    toolBar_ = addToolBar(tr("Standard"));
    toolBar_->setObjectName(QStringLiteral("StandardToolBar"));
    toolBar_->setIconSize(QSize(16, 15));
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolBarLayout()) {
        if (id == 0) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = actions_.value(id);
        action->setIcon(ToolIcon(id));
        toolBar_->addAction(action);
    }
}

}  // namespace vantor
