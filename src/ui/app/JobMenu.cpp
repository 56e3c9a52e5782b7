#include "ui/app/JobMenu.h"

#include <QAction>
#include <QMenu>

#include "core/texts.h"
#include "ui/widgets/QtText.h"

namespace stapelwerk {

JobMenu::JobMenu(QWidget* window) : QToolButton(window) {
    setObjectName("cmd_auftrag");
    setText(qt(texts::kJobMenuButton));
    setAccessibleName(qt(texts::kJobMenuName));
    setPopupMode(QToolButton::InstantPopup);
    setFocusPolicy(Qt::StrongFocus);
    auto* menu = new QMenu(this);
    menu->setObjectName("menu_auftrag");
    const auto add = [&](std::string_view caption, const QKeySequence& keys, auto signal) {
        QAction* action = menu->addAction(qt(caption));
        action->setShortcut(keys);
        // Also where the menu is closed, and from the program's other windows (the
        // completion dialog is active after each write).
        action->setShortcutContext(Qt::ApplicationShortcut);
        window->addAction(action);
        connect(action, &QAction::triggered, this, signal);
    };
    add(texts::kOpenJob, QKeySequence::Open, &JobMenu::openRequested);
    add(texts::kSaveJobAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &JobMenu::saveRequested);
    add(texts::kRecentJobs, QKeySequence(), &JobMenu::recentRequested);
    setMenu(menu);
}

}  // namespace stapelwerk
