#pragma once

#include <QWidget>

// What the conversion screen shows while a batch runs.
class ConvertingView : public QWidget
{
    Q_OBJECT

public:
    explicit ConvertingView(QWidget *parent = nullptr);
};
