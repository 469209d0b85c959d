// A value box of a results page: one line of text that the page writes, with the box's whole
// width for it.
#pragma once

#include <QLabel>

namespace kavro {

class ValueBox : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace kavro
