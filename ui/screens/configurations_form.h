#ifndef CONFIGURATIONS_FORM_H
#define CONFIGURATIONS_FORM_H

#include "baseform.h"

// The station's setpoints as stored configurations: copies to and from a USB
// drive, the five profiles, the default profile and the factory defaults.
// Every operation is a command to the controller, which does the work.
class ConfigurationsForm : public BaseForm
{
    Q_OBJECT
public:
    enum : quint16 {
        IdSaveProfile = 1075,
        IdLoadProfile = 1076,
        IdDefaultProfile = 1077,
        IdResetDefaults = 1078,
        // Profiles stored: bit N-1 set for profile N.
        IdStoredProfiles = 1079,
        IdSaveUsb = 1080,
        IdLoadUsb = 1081
    };
    static constexpr int ProfileCount = 5;

    explicit ConfigurationsForm(QWidget* parent = nullptr);

    // The save and load pages, in the order of their buttons.
    static QList<BaseForm*> createNextForm();
    // The profiles stored, as the controller reports them.
    static quint32 storedProfiles();
    static bool isProfileStored(quint32 stored, int profile);
    // Whether the load page has any profile to offer.
    static bool anyProfileStored(quint32 stored);
    // The button of profile N (1 to 5) on the save and load pages.
    static QString profileText(int profile);
    // The choices of the default profile: the factory set (named after the
    // brand when the station carries "logo.no"), the user set, and the
    // profiles stored.
    static PairList defaultProfileList(quint32 stored, bool logoMarker);

    void showProgressBarDialog(quint16 id, QString text);

public slots:
    void createForm() override;
    void setFormsList() override;
    void returnBackForm() override;
    void saveConfigUsb();
    void loadConfigUsb();
    void showResetDefaultDialog();
};

#endif // CONFIGURATIONS_FORM_H
