#pragma once

#include "AuthorList.h"
#include "TangLoader.h"

#include <string>
#include <vector>

// What the search window's pick lists do with the loader's calls, without a window.
class PickListSink final : public TangSink {
public:
    void AddRhyme(const std::u16string& heading) override { Rhymes.push_back(heading); }
    void AddAuthor(const std::u16string& strAuthor) override {
        if (known_.AddIfNew(strAuthor)) {
            Authors.push_back(strAuthor);
        }
    }
    void ForgetAll() override { *this = PickListSink(); }

    std::vector<std::u16string> Rhymes;
    std::vector<std::u16string> Authors;

private:
    AuthorList known_;
};
