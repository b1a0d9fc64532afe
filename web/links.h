#pragma once

#include <QString>

// The maker's web pages, one opener per page, and the one way every page is opened.

namespace lunetide::web {

inline constexpr char kMainSiteHost[] = "www.veyrholt.com";
inline constexpr char kHelpSiteHost[] = "help.veyrholt.com";

enum class LinkRole {
    HomePage,
    OnlineHelp,
    Download,
    SoftwareCatalogue,
    Donate,
    FullyBranded,
    CoBrand
};

// The absolute URL of a role: "http://", the role's host, then its path.
QString UrlOf(LinkRole role);

// The main site's URL with a path ("/lunetide/" gives the product's folder).
QString MainSiteUrl(const QString& path);

// Asks the desktop to open the URL in the user's default browser and returns at once. The URL is
// passed on exactly as given. Failure is silent: without a browser nothing happens.
void LinkLauncher(const QString& url);

void LinkHomePage();
void LinkOnlineHelp();
void LinkDownload();
void LinkSoftwareCatalogue();
void LinkDonate();
void LinkFullyBranded();
void LinkCoBrand();

} // namespace lunetide::web
