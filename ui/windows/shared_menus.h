#pragma once

class QAction;
class QWidget;

namespace lunetide::ui {

// The menus both working windows carry after File: Help, Donate and Make Money Online. Each entry
// opens its page at once; About shows the About box modally over the window.
void ConnectSharedMenus(QWidget* window, QAction* online, QAction* visit, QAction* update,
                        QAction* about, QAction* donate, QAction* makeMoneyOnline);

// The same for a window's form (Ui::frmMain, Ui::frmDisplay): both name the entries alike.
template <typename Form> void ConnectSharedMenus(QWidget* window, const Form& form)
{
    ConnectSharedMenus(window, form.mnuOnline, form.mnuVisit, form.mnuUpdate, form.mnuAbout,
                       form.mnuDonate, form.mnuMakeMoneyOnline);
}

} // namespace lunetide::ui
