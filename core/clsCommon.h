#pragma once
// File names, dialogs, project type and the processing-log switch.

class clsCommon {
public:
    bool Enable_Record() const { return enableRecord_; }
    void setEnable_Record(bool value) { enableRecord_ = value; }

private:
    bool enableRecord_ = false;
};
