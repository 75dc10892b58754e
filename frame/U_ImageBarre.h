// The images of the menu and toolbar entries, drawn three times: 16 x 16,
// 32 x 32 for screens of two device pixels a unit, and 24 x 24 for 150 %.
#pragma once

#include <QIcon>

// The image ":/icones/<nom>.png", with its finer twins "<nom>@1.5x.png" and
// "<nom>@2x.png" shown instead on denser surfaces. Each density gets its own
// drawing, pixel for pixel; any other gets the next finer one brought smoothly
// to the size asked (at 125 % the 150 % drawing shrunk, not the coarse one
// blown up).
QIcon ImageBarre(const QString &nom);
