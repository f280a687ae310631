#ifndef BLOCKFORM_H
#define BLOCKFORM_H

#include "baseform.h"

class QLabel;

// Shown while the controller reports the station blocked: the reason and time
// of the last stop, and a button that lifts the block for an operator with the
// right password.
class BlockForm : public BaseForm
{
    Q_OBJECT
public:
    explicit BlockForm(QWidget* parent = nullptr);

    QLabel* infoLabel() const { return m_infoLabel; }
    PushButton* unblockButton() const { return m_button; }

public slots:
    void createForm() override;
    void returnBackForm() override;
    void resetBlock();
    void resetBlockChecking();
    void slotParamUpdated(quint16 id);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void updateInfoLabel();

    QLabel* m_infoLabel = nullptr;
    PushButton* m_button = nullptr;
};

#endif // BLOCKFORM_H
