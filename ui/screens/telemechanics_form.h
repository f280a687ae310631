#ifndef TELEMECHANICS_FORM_H
#define TELEMECHANICS_FORM_H

#include "baseform.h"

// The SCADA link: protocol, serial port, network addresses and the link's
// quality counters.
class TelemechanicsForm : public BaseForm
{
    Q_OBJECT
public:
    // Resets the request and reply counters of the link (1654, 1655).
    static constexpr quint16 IdResetCounters = 1656;

    explicit TelemechanicsForm(QWidget* parent = nullptr);

public slots:
    void createForm() override;
    void returnBackForm() override;
    void showResetCountersDialog();
};

#endif // TELEMECHANICS_FORM_H
