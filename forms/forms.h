// The program's windows, each created on first use and kept until the program ends,
// together with what they share: the window model, the active case and the regional numbers.
#pragma once

#include "core/app_paths.h"
#include "forms/form.h"
#include "forms/form_runtime.h"
#include "core/regional_numbers.h"
#include "core/active_case.h"
#include "core/waterway_kind.h"

#include <functional>
#include <map>
#include <memory>

namespace kavro {

enum class FormId {
    Intro,
    Forhold,
    About,
    Condition1,
    Condition2,
    Condition3,
    Results1,
    Results2,
    Results3,
    Validity,
    Database1,
    Database2,
    Database3,
    Delete1,
    Delete2,
    Delete3,
};

FormId inputPageOf(WaterwayKind kind);
FormId resultsPageOf(WaterwayKind kind);
FormId databasePageOf(WaterwayKind kind);
FormId deleteConfirmationOf(WaterwayKind kind);

class Forms
{
public:
    using Factory = std::function<std::unique_ptr<Form>(Forms &)>;

    explicit Forms(FormRuntime &runtime, RegionalNumbers numbers = RegionalNumbers(),
                   AppPaths paths = AppPaths::standard());
    ~Forms();
    Forms(const Forms &) = delete;
    Forms &operator=(const Forms &) = delete;

    void setFactory(FormId id, Factory factory);

    // The window, created (and its load step run) the first time it is asked for.
    Form &form(FormId id);
    template<class T>
    T &as(FormId id) { return dynamic_cast<T &>(form(id)); }
    // The window if it has been created, else null.
    Form *existing(FormId id) const;

    FormRuntime &runtime() { return m_runtime; }
    ActiveCase &activeCase() { return m_activeCase; }
    const RegionalNumbers &numbers() const { return m_numbers; }
    const AppPaths &paths() const { return m_paths; }

private:
    FormRuntime &m_runtime;
    RegionalNumbers m_numbers;
    AppPaths m_paths;
    ActiveCase m_activeCase;
    std::map<FormId, Factory> m_factories;
    std::map<FormId, std::unique_ptr<Form>> m_forms;
};

} // namespace kavro
