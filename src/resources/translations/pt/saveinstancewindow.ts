<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>SaveInstanceWindow</name>
        <message>
            <source>Save instance</source>
            <translation>Salvar instancia</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Cost</source>
            <translation>Cost</translation>
        </message>
        <message>
            <source>Total distance</source>
            <translation>Distancia total</translation>
        </message>
        <message>
            <source>Total time </source>
            <translation>Tempo total</translation>
        </message>
        <message>
            <source>Save</source>
            <translation>Salvar</translation>
        </message>
        <message>
            <source>Cancel</source>
            <translation>Cancelar</translation>
        </message>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>Instance added sucessfully!</source>
            <translation>Instancia adicionada com sucesso!</translation>
        </message>
        <message>
            <source>Duplicate name</source>
            <translation>Nome duplicado</translation>
        </message>
        <message>
            <source>This instance name already exists on the database, would you like to replace it?</source>
            <translation>O nome desta instancia já existe no banco de dados, você gostaria de substitui-la?</translation>
        </message>
        <message>
            <source>Instance sucessfully updated!</source>
            <translation>Instancia atualizada com sucesso!</translation>
        </message>
        <message>
            <source>Database info</source>
            <translation>Banco de dados</translation>
        </message>
        <message>
            <source>The instance could not be saved on the database.</source>
            <translation>Não foi possível salvar a instância no banco de dados.</translation>
        </message>
    </context>
</TS>
