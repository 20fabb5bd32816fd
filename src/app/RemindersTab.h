#pragma once

#include <QWidget>
#include <functional>

class AppState;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLayout;
class QVBoxLayout;

// The "Reminders" tab of the Protect page: the relax-eyes reminder and its break screen, how breaks are
// announced, and the desktop mini window. Every control calls an AppState setter; refresh() writes the
// settings back with the controls' signals blocked. Rows are named (accessible name) after their label.
class RemindersTab : public QWidget {
    Q_OBJECT

public:
    // Choosers for a file (title, filter) and a folder (title); empty text means cancelled.
    using FileChooser = std::function<QString(const QString &, const QString &)>;
    using FolderChooser = std::function<QString(const QString &)>;

    explicit RemindersTab(AppState &state, QWidget *parent = nullptr);

    void refresh();
    void setFileChooser(FileChooser chooser) { m_chooseFile = std::move(chooser); }
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }

    // "Set password": asks for the break password; an empty answer clears it.
    void setPassword();

signals:
    // "Test Relax Reminder" was pressed.
    void previewRequested();

private:
    QWidget *buildRelaxCard();
    QWidget *buildNotificationsCard();
    QWidget *buildMiniWindowCard();

    QCheckBox *addCheck(QLayout *layout, const QString &text, bool (AppState::*getter)() const,
                        void (AppState::*setter)(const bool &));
    QComboBox *addChoice(QVBoxLayout *layout, const QString &label, const QStringList &texts,
                         const QVariantList &values, std::function<QVariant()> read,
                         std::function<void(const QVariant &)> write,
                         std::function<QString(const QVariant &)> describe = nullptr);
    void addSpin(QVBoxLayout *layout, const QString &label, int minimum, int maximum, const QString &suffix,
                 int (AppState::*getter)() const, void (AppState::*setter)(const int &));
    void addSlider(QVBoxLayout *layout, const QString &label, int minimum, int maximum, int (AppState::*getter)() const,
                   void (AppState::*setter)(const int &));
    void addFileRow(QVBoxLayout *layout, const QString &label, const QString &filter,
                    QString (AppState::*getter)() const, void (AppState::*setter)(const QString &));

    AppState &m_state;
    FileChooser m_chooseFile;
    FolderChooser m_chooseFolder;
    // One per control: writes the current setting into it (its signals are blocked meanwhile).
    QList<std::function<void()>> m_refreshers;
};
