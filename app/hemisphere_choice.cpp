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
