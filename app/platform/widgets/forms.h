// The open windows of the program. Each window class has one shared
// instance, created and loaded on its first use and reached by its class;
// a class used through createNew() gets a new window each time (several
// result sheets can be open at once). Unloading runs the window's unload
// handler, which may refuse; then the window is hidden, forgotten and
// deleted once control is back in the event loop, never inside its own
// handler.
#pragma once

#include <QList>

#include <typeindex>

#include "widgets/kz_form.h"

namespace kz::widgets {

class Forms {
public:
    // The shared window of class T, created and loaded when it is not.
    template <class T>
    static T& instance()
    {
        if (KzForm* form = find(typeid(T)))
            return static_cast<T&>(*form);
        T* form = new T;
        load(*form, typeid(T), true);
        return *form;
    }
    // The shared window of class T when it is loaded, else nullptr; never
    // loads it.
    template <class T>
    static T* loaded()
    {
        return static_cast<T*>(find(typeid(T)));
    }
    // A new window of class T, loaded; it lives until it is unloaded.
    template <class T>
    static T& createNew()
    {
        T* form = new T;
        load(*form, typeid(T), false);
        return *form;
    }

    // Runs the unload handler; false when it refused. A window that is not
    // (or no longer) loaded counts as unloaded.
    static bool unload(KzForm& form);
    static bool isLoaded(const KzForm& form);
    // The open windows in the order they were loaded.
    static QList<KzForm*> openForms();
    // Ends every window at once without its unload handler, as the program
    // does when it ends.
    static void discardAll();

    // While a long job runs, no window may be closed by its frame (a box's
    // frame still answers Cancel) and the windows refuse new jobs and dropped
    // files.
    static void setLongJobRunning(bool running);
    static bool longJobRunning();

private:
    static KzForm* find(std::type_index type);
    static void load(KzForm& form, std::type_index type, bool shared);
};

}  // namespace kz::widgets
