#include "windows/common/exercisewindow.h"

#include "app/appfolder.h"
#include "app/sound.h"

void ExerciseWindow::Conclude(const Conclusion &c)
{
    if (c.done && !c.again)
        emit finished(*c.done);
    repaint();
    if (c.animation && !c.gif.isEmpty()) {
        c.animation->show();
        c.animation->setFile(AppFolder::resource(c.gif));
    }
    Sound::play(c.right ? "/sonidos/acierto.wav" : "/sonidos/fallo.wav");
    announce(c.said);
}
