#pragma once
// "XAchse" is German for x axis.
// One named conversion factor for the x axis of measured spectra, a record of the element database.
#include <cstdint>
#include <string>

class clsXAchse {
public:
    std::string name() const { return name_; }
    void setName(const std::string& value) { name_ = value; }
    float Faktor() const { return faktor_; }
    void setFaktor(float value) { faktor_ = value; }
    std::string Key() const { return key_; }
    void setKey(const std::string& value) { key_ = value; }

    // Read or write Faktor, name and Key at the current position of database file Dateinummer; a
    // failure is reported.
    void Daten_Lesen();
    void Daten_Speichern() const;
    int32_t Dateinummer() const { return dateinummer_; }
    void setDateinummer(int32_t value) { dateinummer_ = value; }

private:
    friend class ElementDatenbankZugriff;
    void Daten_Lesen_Ungeschuetzt();
    void Daten_Speichern_Ungeschuetzt() const;

    float faktor_ = 0.0f;
    std::string name_;
    std::string key_;
    int32_t dateinummer_ = 0;
};
