#include "app/hemisphere_choice.h"

#include "settings/user_settings.h"

#include <QDir>

void UseSettingsForHemisphere(Forms::Sources& sources)
{
    sources.hemisphere = [] { return ChosenHemisphere(UserSettings()); };
    sources.storeHemisphere = [](lunetide::Hemisphere hemisphere) {
        UserSettings settings;
        if (settings.SetHemisphere(hemisphere))
            return QString();
        return QStringLiteral("Lunetide cannot store the choice of hemisphere in\n%1.\nThe moon is "
                              "drawn as before.")
            .arg(QDir::toNativeSeparators(settings.path()));
    };
}
