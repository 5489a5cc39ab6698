<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>ClientAddWindow</name>
        <message>
            <source>Add client</source>
            <translation>Adcionar cliente</translation>
        </message>
        <message>
            <source>Client name:</source>
            <translation>Nome do cliente:</translation>
        </message>
        <message>
            <source>Add</source>
            <translation>Adicionar</translation>
        </message>
    </context>
</TS>
