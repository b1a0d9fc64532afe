#include "app/hemisphere_choice.h"

#include "settings/user_settings.h"

#include <QDir>

void UseSettingsForHemisphere(Forms::Sources& sources, UserSettings& settings)
{
    sources.hemisphere = [&settings] { return ChosenHemisphere(settings); };
    sources.storeHemisphere = [&settings](lunetide::Hemisphere hemisphere) {
        if (settings.SetHemisphere(hemisphere))
            return QString();
        return QStringLiteral("Lunetide cannot store the choice of hemisphere in\n%1.\nThe moon is "
                              "drawn as before.")
            .arg(QDir::toNativeSeparators(settings.path()));
    };
}

void UseSettingsForPlace(Forms::Sources& sources, UserSettings& settings)
{
    sources.place = [&settings] { return ChosenPlace(settings); };
    sources.storePlace = [&settings](const std::optional<Place>& place) {
        if (settings.SetPlace(place))
            return QString();
        return QStringLiteral("Lunetide cannot store your place in\n%1.\nThe moon rises and sets "
                              "for the place as before.")
            .arg(QDir::toNativeSeparators(settings.path()));
    };
}
