#include <set>

#include "platform/layout.h"
#include "tests/unit/program/program_fixture.h"

namespace {

int PublishedIndex(const TPersistent& object, const std::string& name) {
    const TPropertyTable& table = object.Properties();
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (SameText(table[i].name, name)) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The layouts are written in published order, as a form designer stores them, so that the
// order in which writers run is the order the components expect.
TEST_F(ProgramTest, LayoutsAreStoredInPublishedOrder) {
    for (const char* name : {"TFORM1", "TREPORT", "TFORM2"}) {
        std::span<const unsigned char> data = HInstance->Find(name);
        ASSERT_FALSE(data.empty()) << name;
        TLayoutObject root = ParseLayout(
            std::string_view(reinterpret_cast<const char*>(data.data()), data.size()), name);
        std::vector<const TLayoutObject*> objects = {&root};
        for (std::size_t next = 0; next < objects.size(); ++next) {
            const TLayoutObject& object = *objects[next];
            for (const TLayoutObject& child : object.children) {
                objects.push_back(&child);
            }
            TComponent* sample = nullptr;
            for (int i = 0; i < app.ComponentCount() && sample == nullptr; ++i) {
                TComponent* form = app.Components(i);
                sample = form->Name == object.name ? form : form->FindComponent(object.name);
            }
            ASSERT_NE(sample, nullptr) << object.name;
            int last = -1;
            for (const TLayoutProperty& property : object.properties) {
                std::string head = property.path.substr(0, property.path.find('.'));
                int index = PublishedIndex(*sample, head);
                EXPECT_GE(index, last) << name << " line " << property.line;
                last = index;
            }
        }
    }
}

}  // namespace
