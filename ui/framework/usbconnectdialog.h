#ifndef USBCONNECTDIALOG_H
#define USBCONNECTDIALOG_H

#include "dialog.h"

// Asks what to do with the USB stick the controller has just detected: copy
// the archives to it, or install the program found on it.
class UsbConnectDialog : public Dialog
{
    Q_OBJECT
public:
    // Commands written to the controller.
    static constexpr quint16 IdCopyLog = 594;
    static constexpr quint16 IdUpdateSoft = 757;

    explicit UsbConnectDialog(QWidget* parent = nullptr);
    ~UsbConnectDialog() override;

public slots:
    void copyLog();
    void updateSoft();
};

#endif // USBCONNECTDIALOG_H
