#include "ui/boxes.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>

QString ApplicationTitleOf(const QString& programPath)
{
    QString name = QFileInfo(programPath).fileName();
    const qsizetype dot = name.indexOf(u'.');
    if (dot >= 0) name.truncate(dot);
    if (name.isEmpty()) return name;
    return name.left(1) + name.mid(1).toLower();
}

QString ApplicationTitle() { return ApplicationTitleOf(QCoreApplication::applicationFilePath()); }

std::string ErrorBoxText(std::string_view message)
{
    std::string text(message);
    // Compared as unsigned bytes: letters, digits and every non-ASCII character
    // get the stop; ".", "!", ")", quotes and blanks do not.
    if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.'))
        text += '.';
    return text;
}

namespace {

// Without a parent the box is centred on the screen; exec() makes it
// application-modal. With one "OK", Enter, Esc and the close box all close it.
void ShowBox(QMessageBox::Icon icon, std::string_view text)
{
    QMessageBox box(icon, ApplicationTitle(), QString::fromUtf8(text.data(), qsizetype(text.size())),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    QAbstractButton* ok = box.button(QMessageBox::Ok);
    ok->setText(QStringLiteral("OK"));
    ok->setIcon(QIcon());  // some styles decorate dialog buttons; the box shows text only
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();
}

}  // namespace

void TQtMessageBox::Show(std::string_view text) { ShowBox(QMessageBox::NoIcon, text); }

void TQtErrorBox::Show(std::string_view text) { ShowBox(QMessageBox::Critical, text); }
