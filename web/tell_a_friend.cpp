#include "web/tell_a_friend.h"

#include "web/links.h"

#include <QUrl>

namespace lunetide::web {
namespace {

bool IsProperAddress(const QString& address)
{
    return address.contains(u'@') && address.contains(u'.');
}

bool IsEmptyOr(const QString& value, const QString& placeholder)
{
    return value.isEmpty() || value == placeholder;
}

// Everything but the unreserved characters of RFC 3986 is escaped, UTF-8 first.
QString Encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

Referral& CurrentReferral()
{
    static Referral referral;
    return referral;
}

QString TrimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text.at(first) == u' ')
        ++first;
    while (end > first && text.at(end - 1) == u' ')
        --end;
    return text.mid(first, end - first);
}

std::optional<QString> ReferralProblem(const Referral& referral)
{
    if (referral.email == referral.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    if (!IsProperAddress(referral.email) || !IsProperAddress(referral.friendEmail))
        return QStringLiteral("Please Enter Proper Email Address");
    if (IsEmptyOr(referral.name, QStringLiteral("Your Name")))
        return QStringLiteral("Please Enter Your Name");
    if (IsEmptyOr(referral.message, QStringLiteral("Your Message")))
        return QStringLiteral("Please Enter Your Message");
    if (IsEmptyOr(referral.friendName, QStringLiteral("Friend's Name")))
        return QStringLiteral("Please Enter Your Friend's Name");
    return std::nullopt;
}

QString ReferralUrl(const Referral& referral)
{
    return MainSiteUrl(QStringLiteral("/vhms-refer-a-friend.php")) + QStringLiteral("?taf1=") +
           Encoded(referral.name) + QStringLiteral("&taf2=") + Encoded(referral.email) +
           QStringLiteral("&taf3=") + Encoded(referral.message) + QStringLiteral("&taf4=") +
           Encoded(referral.friendName) + QStringLiteral("&taf5=") + Encoded(referral.friendEmail) +
           QStringLiteral("&taf6=") + Encoded(MainSiteUrl(QStringLiteral("/lunetide/")));
}

std::optional<QString> SubmitReferral(Referral& referral)
{
    if (auto problem = ReferralProblem(referral))
        return problem;
    referral.url = ReferralUrl(referral);
    LinkLauncher(referral.url);
    return std::nullopt;
}

} // namespace lunetide::web
