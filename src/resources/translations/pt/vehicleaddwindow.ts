<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>VehicleAddWindow</name>
        <message>
            <source>Add vehicle</source>
            <translation>Adicionar veículo</translation>
        </message>
        <message>
            <source>Vehicle</source>
            <translation>Veículo</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Adicionar</translation>
        </message>
    </context>
</TS>
