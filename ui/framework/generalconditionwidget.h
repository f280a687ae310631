#ifndef GENERALCONDITIONWIDGET_H
#define GENERALCONDITIONWIDGET_H

#include <QStringList>
#include <QTimer>
#include <QWidget>

class QLabel;

// The coloured banner of the main status screen: the station condition and
// what happens next (countdowns, the reason of the stop, why a start is
// refused). It polls the store on its own timer while it is visible.
class GeneralConditionWidget : public QWidget
{
    Q_OBJECT
public:
    // Each condition code 1 to 6 is its own colour case; so is each of the
    // rules that decide for any other code.
    enum ColourCase {
        CaseNone = -1,
        CaseRulePrevent = 7,
        CaseRuleNoDriveType = 8,
        CaseRuleNoDriveLink = 9,
        CaseRuleDelayedStart = 10,
        CaseRuleGuaranteedStart = 11,
        CaseRuleStopped = 12
    };

    struct Banner
    {
        int colourCase;
        QString styleSheet;
        QStringList lines; // plain text, a line each
    };

    explicit GeneralConditionWidget(QWidget* parent = nullptr);

    QLabel* conditionLabel() const { return m_label; }
    int colourCase() const { return m_case; }
    const QTimer* refreshTimer() const { return &m_timer; }

    // What the banner shows for the present values of the store (the lines
    // before they are wrapped for the label).
    static Banner banner();
    // The protection whose trip delay runs now, with its detail; empty if none.
    static QString getNameDelay();
    // The label's rich text for plain lines: each escaped, since a text such
    // as "Значение %1 < %2" would otherwise open a tag and lose the rest.
    static QString wrapText(const QStringList& lines);

public slots:
    void slotUpdateValue();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QTimer m_timer;
    QLabel* m_label = nullptr;
    int m_case = CaseNone;
};

#endif // GENERALCONDITIONWIDGET_H
