#pragma once

#include <QLineEdit>

namespace zavkari {

// An edit box for a Georgian text typed in Latin letters, like the player's name box: it shows
// the Georgian letters while `latinText` keeps the Latin ones the game stores and compares.
class GeorgianLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    explicit GeorgianLineEdit(QWidget* parent = nullptr);

    QString latinText() const;
    void setLatinText(const QString& latin);

  signals:
    void latinTextChanged(const QString& latin);

  private:
    void showAsGeorgian();

    QString lastLatin_;
};

}  // namespace zavkari
