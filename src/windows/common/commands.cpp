#include "windows/common/commands.h"

#include "app/module1.h"
#include "app/sound.h"
#include "ui/form.h"
#include "windows/forms.h"

#include <QMessageBox>

void BackgroundStep(Form &window, const FileList &pictures)
{
    int &index = Module1::BackgroundIndex;
    if (index < 0 || index >= pictures.ListCount())
        index = 0;
    if (pictures.ListCount() > 0) {
        const QPixmap picture = loadPicture(pictures.Path() + QLatin1Char('/') + pictures.List(index));
        if (!picture.isNull())
            window.setPicture(picture);
    }
    ++index;
    if (index >= pictures.ListCount())
        index = 0;
}

bool AskToLeave(Form *over, const QString &question, const std::array<QString, 2> &yesNo)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("CUENTAS"), question, QMessageBox::Yes | QMessageBox::No, over);
    QFont big(QStringLiteral("Arial"), 16, QFont::Bold);
    box.setFont(big);
    box.setDefaultButton(QMessageBox::Yes);
    box.button(QMessageBox::Yes)->setText(yesNo[0]);
    box.button(QMessageBox::No)->setText(yesNo[1]);
    return box.exec() == QMessageBox::Yes;
}

void CoverMainWindow(Form &window)
{
    Form *main = forms().mainWindow();
    window.MoveTo(main->Left(), main->Top());
    window.setSize(main->Width(), main->Height());
    window.setPicture(main->Picture());
}

void SecondaryWindowCommand(Form &window, int index)
{
    switch (index) {
    case 0:
        forms().mainWindow()->Show();
        break;
    case 1:
        forms().resultsWindow()->Show();
        Sound::play("/sonidos/historial.wav");
        break;
    case 2:
        Sound::play("/sonidos/fondo.wav");
        BackgroundStep(window, forms().backgrounds());
        break;
    default:
        break;
    }
}
