#ifndef STATISTICS_FORM_H
#define STATISTICS_FORM_H

#include "baseform.h"

// The running statistics of the notebook: run and idle times, energy, the last
// start and stop with their reasons, the last frequency change. All read-only.
class StatisticsForm : public BaseForm
{
    Q_OBJECT
public:
    explicit StatisticsForm(QWidget* parent = nullptr);

    // The codes the reasons of the last start and of the last stop can name.
    static constexpr int LastStartReason = 156;
    static constexpr int LastStopReason = 65534;

public slots:
    void createForm() override;
    void returnBackForm() override;
};

#endif // STATISTICS_FORM_H
