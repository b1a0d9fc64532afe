#include "ui/windows/shared_menus.h"

#include "ui/windows/about_box.h"
#include "web/links.h"

#include <QAction>
#include <QWidget>

namespace lunetide::ui {

void ConnectSharedMenus(QWidget* window, QAction* online, QAction* visit, QAction* update,
                        QAction* about, QAction* donate, QAction* makeMoneyOnline)
{
    using namespace lunetide::web;
    QObject::connect(online, &QAction::triggered, window, &LinkOnlineHelp);
    QObject::connect(visit, &QAction::triggered, window, &LinkHomePage);
    QObject::connect(update, &QAction::triggered, window, &LinkDownload);
    QObject::connect(about, &QAction::triggered, window, [window] { frmAbout::ShowModal(window); });
    QObject::connect(donate, &QAction::triggered, window, &LinkDonate);
    // The forms show it greyed and nothing enables it; were it enabled, it would open the
    // fully-branded offer.
    QObject::connect(makeMoneyOnline, &QAction::triggered, window, &LinkFullyBranded);
}

} // namespace lunetide::ui
