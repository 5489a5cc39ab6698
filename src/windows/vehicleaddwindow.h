#pragma once
// The vehicle picker: lists the stored vehicles matching a filter and sends the chosen
// record (all five cells of `vehicles`) to the main window.

#include "record_picker_window.h"

namespace Ui {
class VehicleAddWindow;
}

class VehicleAddWindow : public RecordPickerWindow {
    Q_OBJECT

public:
    VehicleAddWindow(Database* database, QWidget* parent = nullptr);
    ~VehicleAddWindow() override;

    void update_vehicle_list(const std::string& s_filter) { update_entry_list(s_filter); }

signals:
    void vehicle_selected(std::vector<std::string> v_vehicle);

private slots:
    void on_btnAddVehicle_clicked();
    void on_lineEdit_textChanged(const QString& arg1);

private:
    TextTable search(const std::string& s_filter) override;

    Ui::VehicleAddWindow* ui;
};
