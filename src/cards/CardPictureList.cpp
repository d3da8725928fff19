#include "CardPictureList.h"

CardPictureList::CardPictureList(int count, std::function<QPixmap(int index)> draw)
    : draw(std::move(draw))
    , pictures(count)
{ }

const QPixmap &CardPictureList::operator[](int index) const
{
    QPixmap &picture = pictures.at(index);
    if (picture.isNull())
        picture = draw(index);
    return picture;
}

std::function<QPixmap()> CardPictureList::source(int index) const
{
    pictures.at(index);
    return [this, index] { return (*this)[index]; };
}

CardPictureList::operator const std::vector<QPixmap> &() const
{
    for (int index = 0; index < size(); ++index)
        (*this)[index];
    return pictures;
}
