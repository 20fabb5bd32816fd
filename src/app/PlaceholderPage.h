#pragma once

#include <QWidget>

// A page with its header only, for pages whose content is not built yet.
class PlaceholderPage : public QWidget {
    Q_OBJECT

public:
    PlaceholderPage(const QString &title, const QString &subtitle, QWidget *parent = nullptr);
};
