#pragma once

#include <QString>

#include <optional>

// The refer-a-friend request: the exit screen's five form values, their checks, and the URL that
// carries them to the maker's site as a query.

namespace lunetide::web {

struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
    QString url; // the request URL last built
};

// The form's texts as the user left them; kept for the life of the process.
Referral& CurrentReferral();

// Removes the space character at both ends; tabs and line breaks stay.
QString TrimSpaces(const QString& text);

// The first check the (trimmed) values fail, as the message to show; none when they pass.
std::optional<QString> ReferralProblem(const Referral& referral);

// The request URL. Every value is percent-encoded as UTF-8, so that no value can add or change
// a query field.
QString ReferralUrl(const Referral& referral);

// Checks the values; when they pass, builds the URL, keeps it in the referral and opens it.
// Returns the first problem otherwise, and opens nothing.
std::optional<QString> SubmitReferral(Referral& referral);

} // namespace lunetide::web
