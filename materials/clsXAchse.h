#pragma once
// One named conversion factor for the x axis of measured spectra, a record of the element database.
#include <string>

class RecordReader;
class RecordWriter;

class clsXAchse {
public:
    std::string name() const { return name_; }
    void setName(const std::string& value) { name_ = value; }
    float Faktor() const { return faktor_; }
    void setFaktor(float value) { faktor_ = value; }
    std::string Key() const { return key_; }
    void setKey(const std::string& value) { key_ = value; }

    // Read or write Faktor, name and Key at the current position of the database file.
    void Daten_Lesen(RecordReader& datei);
    void Daten_Speichern(RecordWriter& datei) const;

private:
    float faktor_ = 0.0f;
    std::string name_;
    std::string key_;
};
