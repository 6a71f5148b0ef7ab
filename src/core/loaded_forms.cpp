#include "core/loaded_forms.h"

#include <algorithm>
#include <vector>

namespace mAPI {

namespace {

std::vector<const tk::Form*>& Collection() {
    static std::vector<const tk::Form*> forms;
    return forms;
}

} // namespace

void LoadedForms::Add(const tk::Form& form) {
    if (!IsFormLoaded(form)) {
        Collection().push_back(&form);
    }
}

void LoadedForms::Remove(const tk::Form& form) {
    std::erase(Collection(), &form);
}

std::size_t LoadedForms::Count() {
    return Collection().size();
}

const tk::Form* LoadedForms::At(std::size_t position) {
    return position < Collection().size() ? Collection()[position] : nullptr;
}

bool IsFormLoaded(const tk::Form& form) {
    for (std::size_t i = 0; i < LoadedForms::Count(); ++i) {
        if (LoadedForms::At(i) == &form) {
            return true;
        }
    }
    return false;
}

} // namespace mAPI
