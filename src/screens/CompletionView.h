#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

// The screen shown once a batch has ended.
class CompletionView : public QWidget
{
    Q_OBJECT

public:
    CompletionView(const QUrl &outputFolder, std::function<void()> onBack,
                   QWidget *parent = nullptr);

private:
    QUrl m_outputFolder;
    std::function<void()> m_onBack;
};
