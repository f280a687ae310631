#ifndef RESTARTFORM_H
#define RESTARTFORM_H

#include "baseform.h"

#include <QTimer>

class BaseParamLabel;
class QLabel;

// Shown while the controller waits to restart the pump after a protection
// stop: why the pump stopped, whether a restart is prevented and by what, how
// long the station has stood and how long remains.
class RestartForm : public BaseForm
{
    Q_OBJECT
public:
    // The lines whose visibility or text changes while the screen is shown.
    enum Line {
        ReasonLine,          // the reason of the last stop
        PreventTitleLine,    // "АПВ ЗАПРЕЩЕНО"
        PreventCaptionLine,  // "Запрещ. параметр:"
        PreventTextLine,     // what prevents the restart
        ProgramLine,         // "Работа по программе. Режим:"
        ProgramModeLine,     // "ПЕРИОДИЧЕСКИЙ"
        ProgramStateLine,    // "текущее состояние:"
        ProgramPauseLine,    // "ПАУЗА"
        GuaranteedLine,      // "ГАРАНТИРОВАННЫЙ ПУСК"
        RestartCountCaptionLine, // "Количество АПВ:"
        LineCount
    };

    explicit RestartForm(QWidget* parent = nullptr);

    QLabel* line(Line line) const { return m_lines[line]; }
    BaseParamLabel* elapsedLabel() const { return m_elapsed; }
    BaseParamLabel* remainingLabel() const { return m_remaining; }
    BaseParamLabel* restartCountLabel() const { return m_restartCount; }
    const QTimer* refreshTimer() const { return &m_timer; }

public slots:
    void createForm() override;
    void returnBackForm() override;
    void closeForm();
    void slotUpdated();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_lines[LineCount] = {};
    BaseParamLabel* m_elapsed = nullptr;
    BaseParamLabel* m_remaining = nullptr;
    BaseParamLabel* m_restartCount = nullptr;
    QTimer m_timer;
};

#endif // RESTARTFORM_H
