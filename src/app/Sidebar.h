#pragma once

#include <QWidget>

class QButtonGroup;
class QPushButton;
class QVBoxLayout;

// The left column of the main window: logo, brand, the page buttons, the app-store card and the footer.
// On short screens (a 1366x768 laptop) everything does not fit; the app-store card then steps aside
// rather than letting the layout squeeze and clip the texts.
class Sidebar : public QWidget {
    Q_OBJECT

public:
    explicit Sidebar(const QStringList &pageNames = {}, QWidget *parent = nullptr);

    QButtonGroup *navigation() const { return m_navigation; }
    // A checkable page button placed below the ones already there and added to the group under `id`.
    QPushButton *addNavButton(const QString &text, int id);
    QWidget *promoCard() const { return m_promoCard; }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void updatePromoVisibility();
    int heightNeededWithPromo() const;

    QVBoxLayout *m_layout = nullptr;
    int m_nextNavIndex = 0; // layout position of the next page button
    QButtonGroup *m_navigation = nullptr;
    QWidget *m_promoCard = nullptr;
};
