#include "toolkit/loaded_forms.h"

#include <algorithm>
#include <vector>

namespace tk {

namespace {

std::vector<const Form*>& Collection() {
    static std::vector<const Form*> forms;
    return forms;
}

} // namespace

void LoadedForms::Add(const Form& form) {
    if (!IsFormLoaded(form)) {
        Collection().push_back(&form);
    }
}

void LoadedForms::Remove(const Form& form) {
    std::erase(Collection(), &form);
}

std::size_t LoadedForms::Count() {
    return Collection().size();
}

const Form* LoadedForms::At(std::size_t position) {
    return position < Collection().size() ? Collection()[position] : nullptr;
}

bool IsFormLoaded(const Form& form) {
    for (std::size_t i = 0; i < LoadedForms::Count(); ++i) {
        if (LoadedForms::At(i) == &form) {
            return true;
        }
    }
    return false;
}

} // namespace tk
