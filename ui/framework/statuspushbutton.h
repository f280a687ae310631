#ifndef STATUSPUSHBUTTON_H
#define STATUSPUSHBUTTON_H

#include "pairlist.h"
#include "pushbutton.h"

// A sub-form button whose icon follows a parameter: the list's texts are image
// paths, read by position (the value of the parameter).
class StatusPushButton : public PushButton
{
    Q_OBJECT
public:
    StatusPushButton(int index, quint16 id, const QString& text, const PairList& list,
                     QWidget* parent = nullptr);

    quint16 id() const { return m_id; }
    // The path of the image the button shows now.
    QString iconPath() const { return m_iconPath; }

public slots:
    void slotParamUpdated(quint16 id);

private:
    void applyValue();

    quint16 m_id = 0;
    PairList m_list;
    QString m_iconPath;
};

#endif // STATUSPUSHBUTTON_H
