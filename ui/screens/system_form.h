#ifndef SYSTEM_FORM_H
#define SYSTEM_FORM_H

#include "baseform.h"

// The station clock, its time zone and network time, the software revisions,
// and the commands to update and restart this program.
class SystemForm : public BaseForm
{
    Q_OBJECT
public:
    // Software update and restart of this program: commands to the controller.
    static constexpr quint16 IdUpdateSoft = 757;
    static constexpr quint16 IdRebootSoft = 758;

    explicit SystemForm(QWidget* parent = nullptr);

    // The revision of this program as the screen shows it: 8 lower-case
    // hexadecimal digits, zero-padded.
    static QString revisionText(quint32 revision);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void updateSoft();
    void rebootSoft();
};

#endif // SYSTEM_FORM_H
