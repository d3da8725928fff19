#pragma once

#include <QPixmap>
#include <functional>
#include <vector>

// One image list of the card library. A picture is drawn the first time it is asked for and
// then kept, so start-up draws nothing and a game draws only the pictures it shows.
class CardPictureList
{
public:
    CardPictureList(int count, std::function<QPixmap(int index)> draw);
    CardPictureList(const CardPictureList &) = delete;
    CardPictureList &operator=(const CardPictureList &) = delete;

    int size() const { return int(pictures.size()); }
    // Throws std::out_of_range for an index outside the list, before anything is drawn.
    const QPixmap &operator[](int index) const;
    const QPixmap &at(int index) const { return (*this)[index]; }
    // Picture `index` for a picture control that draws it when it first shows it (the index is
    // checked at once). The list must outlive the control.
    std::function<QPixmap()> source(int index) const;

    // The whole list, every picture drawn.
    operator const std::vector<QPixmap> &() const;

private:
    std::function<QPixmap(int)> draw;
    // A null pixmap is one not drawn yet: a drawn card picture never is.
    mutable std::vector<QPixmap> pictures;
};
