<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>BulkInsertSummary</name>
        <message>
            <source>Clients stored: %1.</source>
            <translation>Clientes gravados: %1.</translation>
        </message>
        <message>
            <source>Clients skipped because a client of that name already exists: %1 (%2).</source>
            <translation>Clientes ignorados porque já existe um cliente com esse nome: %1 (%2).</translation>
        </message>
    </context>
</TS>
