// The thin bar under the page area that fills as an apply sends its reports.
#pragma once

#include <QWidget>

class ApplyProgressBar : public QWidget {
public:
    explicit ApplyProgressBar(QWidget* parent);

    // Shows sent of total; a total of 0 hides the bar.
    void SetProgress(int sent, int total);
    int Sent() const { return sent_; }
    int Total() const { return total_; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    int sent_ = 0;
    int total_ = 0;
};
