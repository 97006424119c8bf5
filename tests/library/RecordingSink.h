#pragma once

#include "AuthorList.h"
#include "TangLoader.h"

#include <new>
#include <string>
#include <vector>

// Stands in for the search window's two pick lists while the loader runs.
class RecordingSink final : public TangSink {
public:
    void AddRhyme(const std::u16string& heading) override { Rhymes.push_back(heading); }
    void AddAuthor(const std::u16string& strAuthor) override {
        if (AuthorCalls.size() + 1 == FailAtAuthorCall) {
            throw std::bad_alloc(); // memory runs out while the list takes the name
        }
        AuthorCalls.push_back(strAuthor);
        if (known_.AddIfNew(strAuthor)) {
            Authors.push_back(strAuthor);
        }
    }
    void ForgetAll() override {
        ++TimesForgotten;
        Rhymes.clear();
        Authors.clear();
        AuthorCalls.clear();
        known_ = AuthorList();
    }

    std::vector<std::u16string> Rhymes;
    std::vector<std::u16string> Authors;     // distinct, in order of first appearance
    std::vector<std::u16string> AuthorCalls; // every call, repeats included
    size_t FailAtAuthorCall = 0;             // the 1-based call that throws; 0 for none
    int TimesForgotten = 0;

private:
    AuthorList known_;
};
