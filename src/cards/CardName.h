#pragma once

#include <QString>

// What a card is called when it is read out: "Queen of hearts".
QString cardName(int id);
