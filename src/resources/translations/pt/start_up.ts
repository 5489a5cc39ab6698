<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>StartUp</name>
    <message>
        <source>Database info</source>
        <translation>Informação do banco de dados</translation>
    </message>
    <message>
        <source>The database file %1 cannot be used: %2
The file is left as it is; changes made now will not be stored.</source>
        <translation>O arquivo de banco de dados %1 não pode ser usado: %2
O arquivo foi deixado como está; as alterações feitas agora não serão salvas.</translation>
    </message>
</context>
</TS>
