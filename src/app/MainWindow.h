#pragma once

#include <QWidget>

class ContentView;

// Clipforger's one window. Its content is the root view; the window adds only its title and
// its size.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    explicit MainWindow(const QString &encoderPath, QWidget *parent = nullptr);

    ContentView *contentView() const { return m_contentView; }

private:
    ContentView *m_contentView;
};
