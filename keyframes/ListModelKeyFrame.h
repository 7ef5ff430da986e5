// The add-on's one ordered list of key frames, as a list model: position 0
// is the first key frame of the animation. Edits that change what a list
// shows (the names, the positions) are announced to the observers; frame
// counts, views and solution times are not shown and announce nothing.
//
// Every access by position is bounds-checked: a position at or past the
// end raises std::out_of_range "invalid vector<T> subscript" and changes
// nothing.
#ifndef KFA_KEYFRAMES_LIST_MODEL_KEY_FRAME_H
#define KFA_KEYFRAMES_LIST_MODEL_KEY_FRAME_H

#include <cstdint>
#include <string>
#include <vector>

#include "gui/ListModelAbstract.h"
#include "keyframes/KeyFrame.h"

class ListModelKeyFrame : public ListModelAbstract<KeyFrame_s> {
public:
    unsigned getCount() const override { return static_cast<unsigned>(keyFrames.size()); }
    // The key frame's name, unchanged.
    std::string getDisplayString(unsigned index) const override;
    std::string getEmptyListText() const override { return "No Key Frames established."; }

    const KeyFrame_s& getItem(unsigned index) const override;
    void setItem(unsigned index, const KeyFrame_s& keyFrame) override;
    void insertItem(unsigned index, const KeyFrame_s& keyFrame) override;
    // An index past the end (getCount() or getInvalidIndex()) appends.
    void insertItems(unsigned index, const std::vector<KeyFrame_s>& items) override;
    void removeItem(unsigned index) override;
    void removeItems(unsigned index, unsigned count) override;

    const std::vector<KeyFrame_s>& getKeyFrames() const { return keyFrames; }
    // Replaces the whole list; announced as a reset.
    void setKeyFrames(const std::vector<KeyFrame_s>& items);
    const std::string& getName(unsigned index) const;
    void setName(unsigned index, const std::string& name);
    uint32_t getFrameCount(unsigned index) const;
    void setFrameCount(unsigned index, uint32_t frameCount);
    // Sets the view and takes the host's current solution time with it.
    void updateView(unsigned index, const ThreeDView_s& view);

private:
    KeyFrame_s& at(unsigned index);
    const KeyFrame_s& at(unsigned index) const;

    std::vector<KeyFrame_s> keyFrames;
};

#endif
