#pragma once

#include "AuthorList.h"
#include "TangLoader.h"

#include <string>
#include <vector>

// Stands in for the search window's two pick lists while the loader runs.
class RecordingSink final : public TangSink {
public:
    void AddRhyme(const std::u16string& heading) override { Rhymes.push_back(heading); }
    void AddAuthor(const std::u16string& strAuthor) override {
        AuthorCalls.push_back(strAuthor);
        if (known_.AddIfNew(strAuthor)) {
            Authors.push_back(strAuthor);
        }
    }

    std::vector<std::u16string> Rhymes;
    std::vector<std::u16string> Authors;     // distinct, in order of first appearance
    std::vector<std::u16string> AuthorCalls; // every call, repeats included

private:
    AuthorList known_;
};
