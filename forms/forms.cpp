// The program's windows, created on first use.
#include "forms/forms.h"

#include <QDebug>

namespace kavro {

namespace {

FormId pick(WaterwayKind kind, FormId depthRestricted, FormId canal, FormId channel)
{
    switch (kind) {
    case WaterwayKind::DepthRestricted: return depthRestricted;
    case WaterwayKind::Canal: return canal;
    case WaterwayKind::Channel: return channel;
    }
    return depthRestricted;
}

} // namespace

FormId inputPageOf(WaterwayKind kind)
{
    return pick(kind, FormId::Condition1, FormId::Condition2, FormId::Condition3);
}

FormId resultsPageOf(WaterwayKind kind)
{
    return pick(kind, FormId::Results1, FormId::Results2, FormId::Results3);
}

FormId databasePageOf(WaterwayKind kind)
{
    return pick(kind, FormId::Database1, FormId::Database2, FormId::Database3);
}

FormId deleteConfirmationOf(WaterwayKind kind)
{
    return pick(kind, FormId::Delete1, FormId::Delete2, FormId::Delete3);
}

Forms::Forms(FormRuntime &runtime, RegionalNumbers numbers, AppPaths paths)
    : m_runtime(runtime)
    , m_numbers(std::move(numbers))
    , m_paths(std::move(paths))
{
}

Forms::~Forms()
{
    // Windows go before the factories that may hold state they refer to.
    m_forms.clear();
}

void Forms::setFactory(FormId id, Factory factory)
{
    m_factories[id] = std::move(factory);
}

Form &Forms::form(FormId id)
{
    if (auto it = m_forms.find(id); it != m_forms.end())
        return *it->second;
    std::unique_ptr<Form> created;
    if (auto factory = m_factories.find(id); factory != m_factories.end())
        created = factory->second(*this);
    if (!created) {
        // A window nobody built yet: an empty one keeps navigation from failing.
        qWarning() << "No window is registered for" << int(id);
        created = std::make_unique<Form>(m_runtime, QStringLiteral("Form%1").arg(int(id)), QStringLiteral(" "));
    }
    Form &result = *created;
    m_forms[id] = std::move(created);
    return result;
}

Form *Forms::existing(FormId id) const
{
    auto it = m_forms.find(id);
    return it == m_forms.end() ? nullptr : it->second.get();
}

} // namespace kavro
