// The validity page: what the results page shows and how far its prediction can be trusted.
#pragma once

#include "forms/form.h"

class QPlainTextEdit;

namespace kavro {

// The page's text, its lines separated and ended by CR LF as designed.
QString validityText();

class ValidityPage : public Form
{
    Q_OBJECT
public:
    explicit ValidityPage(FormRuntime &runtime);

    void Form_Activate() override;

    QPlainTextEdit *Validity = nullptr;
};

} // namespace kavro
