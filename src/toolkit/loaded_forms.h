// The program's collection of loaded forms, in load order. Forms enter it when their window
// is created and leave it when the window is destroyed.
#pragma once

#include <cstddef>

namespace tk {

class Form;

class LoadedForms {
  public:
    static void Add(const tk::Form& form);
    static void Remove(const tk::Form& form);
    static std::size_t Count();
    static const tk::Form* At(std::size_t position);
};

// Whether this very form object (not one of the same type) is loaded. Never loads a form.
bool IsFormLoaded(const tk::Form& form);

} // namespace tk
