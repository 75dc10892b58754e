// The images of the menu and toolbar entries, drawn twice: 16 x 16, and
// 32 x 32 for screens of more than one device pixel a unit.
#pragma once

#include <QIcon>

// The image ":/icones/<nom>.png", with its finer twin "<nom>@2x.png" shown
// instead on any denser surface, brought smoothly to the size asked: at 150 %
// the finer drawing shrunk, not the coarse one blown up.
QIcon ImageBarre(const QString &nom);
