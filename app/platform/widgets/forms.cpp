#include "widgets/forms.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace kz::widgets {

namespace {

struct Entry {
    KzForm* form;
    std::type_index type;
    bool shared;
};

std::vector<Entry> entries;
bool jobRunning = false;

std::vector<Entry>::iterator EntryOf(const KzForm& form)
{
    return std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.form == &form; });
}

}  // namespace

KzForm* Forms::find(std::type_index type)
{
    const auto it =
        std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.shared && e.type == type; });
    return it == entries.end() ? nullptr : it->form;
}

void Forms::load(KzForm& form, std::type_index type, bool shared)
{
    // Registered first: load handlers touch their own window.
    entries.push_back({&form, type, shared});
    form.formLoad();
}

bool Forms::unload(KzForm& form)
{
    if (EntryOf(form) == entries.end() || form.unloading_)
        return true;
    form.unloading_ = true;
    bool cancel = false;
    form.formUnload(cancel);
    form.unloading_ = false;
    if (cancel)
        return false;
    const auto it = EntryOf(form);
    if (it != entries.end())
        entries.erase(it);
    form.hide();
    form.deleteLater();
    return true;
}

bool Forms::isLoaded(const KzForm& form) { return EntryOf(form) != entries.end(); }

QList<KzForm*> Forms::openForms()
{
    QList<KzForm*> forms;
    for (const Entry& e : entries)
        forms.push_back(e.form);
    return forms;
}

void Forms::discardAll()
{
    const std::vector<Entry> all = std::exchange(entries, {});
    for (const Entry& e : all) {
        e.form->hide();
        e.form->deleteLater();
    }
    jobRunning = false;
}

void Forms::setLongJobRunning(bool running) { jobRunning = running; }

bool Forms::longJobRunning() { return jobRunning; }

}  // namespace kz::widgets
