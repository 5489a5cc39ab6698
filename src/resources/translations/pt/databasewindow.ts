<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
    <context>
        <name>DatabaseWindow</name>
        <message>
            <source>Database</source>
            <translation>Banco de dados</translation>
        </message>
        <message>
            <source>Clients</source>
            <translation>Clientes</translation>
        </message>
        <message>
            <source>Add/edit clients</source>
            <translation>Adicionar/editar clientes</translation>
        </message>
        <message>
            <source>Name (ID)</source>
            <translation>Nome (ID)</translation>
        </message>
        <message>
            <source>Address</source>
            <translation>Endereço</translation>
        </message>
        <message>
            <source>Number</source>
            <translation>Número</translation>
        </message>
        <message>
            <source>Neighborhood</source>
            <translation>Bairro</translation>
        </message>
        <message>
            <source>City</source>
            <translation>Cidade</translation>
        </message>
        <message>
            <source>State</source>
            <translation>Estado</translation>
        </message>
        <message>
            <source>Country</source>
            <translation>País</translation>
        </message>
        <message>
            <source>lat</source>
            <translation>lat</translation>
        </message>
        <message>
            <source>long</source>
            <translation>long</translation>
        </message>
        <message>
            <source>Add client</source>
            <translation>Adicionar cliente</translation>
        </message>
        <message>
            <source>Edit client</source>
            <translation>Editar cliente</translation>
        </message>
        <message>
            <source>Delete client</source>
            <translation>Excluir cliente</translation>
        </message>
        <message>
            <source>Search lat/long</source>
            <translation>Buscar lat/long</translation>
        </message>
        <message>
            <source>Import .csv</source>
            <translation>Importar .csv</translation>
        </message>
        <message>
            <source>Export .csv</source>
            <translation>Exportar .csv</translation>
        </message>
        <message>
            <source>Client finder</source>
            <translation>Localizar clientes</translation>
        </message>
        <message>
            <source>Vehicles</source>
            <translation>Veículos</translation>
        </message>
        <message>
            <source>Add/edit vehicles</source>
            <translation>Adicionar/editar veículos</translation>
        </message>
        <message>
            <source>Capacity</source>
            <translation>Capacidade</translation>
        </message>
        <message>
            <source>Available vehicles</source>
            <translation>Veículos disponíveis</translation>
        </message>
        <message>
            <source>Fixed cost</source>
            <translation>Custo fixo</translation>
        </message>
        <message>
            <source>O custo fixo se refere a</source>
            <translation>O custo fixo se refere a</translation>
        </message>
        <message>
            <source>Variable cost</source>
            <translation>Custo variável</translation>
        </message>
        <message>
            <source>Add vehicle</source>
            <translation>Adicionar veículo</translation>
        </message>
        <message>
            <source>Edit vehicle</source>
            <translation>Editar veículo</translation>
        </message>
        <message>
            <source>Delete vehicle</source>
            <translation>Excluir veículo</translation>
        </message>
        <message>
            <source>Vehicle finder</source>
            <translation>Localizar veículos</translation>
        </message>
        <message>
            <source>Instances</source>
            <translation>Instâncias</translation>
        </message>
        <message>
            <source>Edit instance</source>
            <translation>Editar instância</translation>
        </message>
        <message>
            <source>Date</source>
            <translation>Data</translation>
        </message>
        <message>
            <source>Cost</source>
            <translation>Custo</translation>
        </message>
        <message>
            <source>Distance</source>
            <translation>Distância</translation>
        </message>
        <message>
            <source>Time</source>
            <translation>Tempo</translation>
        </message>
        <message>
            <source>Delete instance</source>
            <translation>Excluir instância</translation>
        </message>
        <message>
            <source>Load instance</source>
            <translation>Carregar instância</translation>
        </message>
        <message>
            <source>Instance finder</source>
            <translation>Localizar instâncias</translation>
        </message>
        <message>
            <source>From</source>
            <translation>De</translation>
        </message>
        <message>
            <source>To</source>
            <translation>Até</translation>
        </message>
        <message>
            <source>lon</source>
            <translation>lon</translation>
        </message>
        <message>
            <source>ID</source>
            <translation>ID</translation>
        </message>
        <message>
            <source>Available</source>
            <translation>Disponíveis</translation>
        </message>
        <message>
            <source>Add client to the database</source>
            <translation>Adicionar o cliente ao banco de dados</translation>
        </message>
        <message>
            <source>Edit the current client info (the one with name in the field 'Name (ID)'</source>
            <translation>Editar os dados do cliente atual (o do nome no campo 'Nome (ID)')</translation>
        </message>
        <message>
            <source>Delete the current client (the one with name in the field 'Name (ID)'</source>
            <translation>Excluir o cliente atual (o do nome no campo 'Nome (ID)')</translation>
        </message>
        <message>
            <source>Export the database from the grid to a .csv file</source>
            <translation>Exportar os clientes da tabela para um arquivo .csv</translation>
        </message>
        <message>
            <source>Import client info from a .csv file into the database .The lat/long values may be empty and the search will be done automatically)</source>
            <translation>Importar clientes de um arquivo .csv para o banco de dados (os valores de lat/long podem ficar vazios e serão buscados automaticamente)</translation>
        </message>
        <message>
            <source>Search the lat/long values for the current client on the grid</source>
            <translation>Buscar os valores de lat/long do cliente atual</translation>
        </message>
        <message>
            <source>Add vehicle to the database</source>
            <translation>Adicionar o veículo ao banco de dados</translation>
        </message>
        <message>
            <source>Delete the current vehicle (the one with name in the field 'Name (ID)</source>
            <translation>Excluir o veículo atual (o do nome no campo 'Nome (ID)')</translation>
        </message>
        <message>
            <source>Edit the current vehicle (the one with name in the field 'Name (ID)</source>
            <translation>Editar o veículo atual (o do nome no campo 'Nome (ID)')</translation>
        </message>
        <message>
            <source>Delete the current instance (the one with name in the field 'Name (ID)</source>
            <translation>Excluir a instância atual (a do nome no campo 'Nome (ID)')</translation>
        </message>
        <message>
            <source>Edit the current instance (the one with name in the field 'Name (ID)</source>
            <translation>Editar a instância atual (a do nome no campo 'Nome (ID)')</translation>
        </message>
        <message>
            <source>Load the current instance on the main form</source>
            <translation>Carregar a instância atual na janela principal</translation>
        </message>
        <message>
            <source>Action required</source>
            <translation>Ação necessária</translation>
        </message>
        <message>
            <source>An operation is still running, would you like to cancel it?</source>
            <translation>Uma operação ainda está em andamento, deseja cancelá-la?</translation>
        </message>
        <message>
            <source>Input info</source>
            <translation>Dados de entrada</translation>
        </message>
        <message>
            <source>Database info</source>
            <translation>Banco de dados</translation>
        </message>
        <message>
            <source>Client already exist, change the 'name' field.</source>
            <translation>O cliente já existe, altere o campo 'nome'.</translation>
        </message>
        <message>
            <source>.csv error</source>
            <translation>Erro no .csv</translation>
        </message>
        <message>
            <source>The file could not be written: </source>
            <translation>Não foi possível gravar o arquivo: </translation>
        </message>
        <message>
            <source>Open database from .csv</source>
            <translation>Abrir banco de dados de um .csv</translation>
        </message>
        <message>
            <source>Checking input data...</source>
            <translation>Verificando os dados de entrada...</translation>
        </message>
        <message>
            <source>There was some error on the file header, would you like to export a template file?</source>
            <translation>Houve um erro no cabeçalho do arquivo, deseja exportar um arquivo modelo?</translation>
        </message>
        <message>
            <source>Save file</source>
            <translation>Salvar arquivo</translation>
        </message>
        <message>
            <source>Problem with input</source>
            <translation>Problema nos dados de entrada</translation>
        </message>
        <message>
            <source>The following rows have problems on the database (missing values/missing columns : </source>
            <translation>As seguintes linhas têm problemas (valores ou colunas faltando) : </translation>
        </message>
        <message>
            <source>Input data error</source>
            <translation>Erro nos dados de entrada</translation>
        </message>
        <message>
            <source>There are no client data</source>
            <translation>Não há dados de clientes</translation>
        </message>
        <message>
            <source>Save client database</source>
            <translation>Salvar banco de clientes</translation>
        </message>
        <message>
            <source>No internet connection</source>
            <translation>Sem conexão com a internet</translation>
        </message>
        <message>
            <source>Value not found, please verify the addresses</source>
            <translation>Valor não encontrado, verifique os endereços</translation>
        </message>
        <message>
            <source>&lt;p&gt;Found value, but not exact. We have found more values for the same address, if you want to use it, change the following settings:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Open the settings&lt;/li&gt;&lt;li&gt;In 'API info'&lt;/li&gt;&lt;li&gt;Set 'Lat/Long fetching' as 'OSRM'&lt;/li&gt;&lt;/ol&gt;</source>
            <translation>&lt;p&gt;Valor encontrado, mas não exato. Encontramos mais valores para o mesmo endereço; para usá-lo, altere as configurações:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Abra as configurações&lt;/li&gt;&lt;li&gt;Em 'API info'&lt;/li&gt;&lt;li&gt;Defina 'Busca de lat/long' como 'OSRM'&lt;/li&gt;&lt;/ol&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;Missing or invalid email, to change:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Open the settings window&lt;/li&gt;&lt;li&gt;In 'API info'&lt;/li&gt;&lt;li&gt;Input a valid email&lt;/li&gt;&lt;/ol&gt;</source>
            <translation>&lt;p&gt;E-mail ausente ou inválido, para alterar:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Abra a janela de configurações&lt;/li&gt;&lt;li&gt;Em 'API info'&lt;/li&gt;&lt;li&gt;Informe um e-mail válido&lt;/li&gt;&lt;/ol&gt;</translation>
        </message>
        <message>
            <source>&lt;p&gt;Missing or invalid google API key, to change:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Open the settings window&lt;/li&gt;&lt;li&gt;In 'API info'&lt;/li&gt;&lt;li&gt;Input a valid google API key&lt;/li&gt;&lt;/ol&gt;</source>
            <translation>&lt;p&gt;Chave da API do Google ausente ou inválida, para alterar:&lt;/p&gt;&lt;ol&gt;&lt;li&gt;Abra a janela de configurações&lt;/li&gt;&lt;li&gt;Em 'API info'&lt;/li&gt;&lt;li&gt;Informe uma chave válida da API do Google&lt;/li&gt;&lt;/ol&gt;</translation>
        </message>
        <message>
            <source>API error</source>
            <translation>Erro de API</translation>
        </message>
        <message>
            <source>Exact value not found</source>
            <translation>Valor exato não encontrado</translation>
        </message>
        <message>
            <source>lat/long already exists</source>
            <translation>lat/long já existe</translation>
        </message>
        <message>
            <source>There were problems collecting some lat/long, would you like to export the collected values to verify the addresses?</source>
            <translation>Houve problemas ao buscar algumas lat/long, deseja exportar os valores obtidos para verificar os endereços?</translation>
        </message>
        <message>
            <source>The clients could not be saved on the database. Would you like to save a spreadsheet with the gathered data?</source>
            <translation>Não foi possível salvar os clientes no banco de dados. Deseja salvar uma planilha com os dados obtidos?</translation>
        </message>
        <message>
            <source>Database updated</source>
            <translation>Banco de dados atualizado</translation>
        </message>
        <message>
            <source>The database was successfully updated. Would you like to also save a new spreadsheet with the gathered data?</source>
            <translation>O banco de dados foi atualizado com sucesso. Deseja também salvar uma nova planilha com os dados obtidos?</translation>
        </message>
        <message>
            <source>Would you like to also save a new spreadsheet with the gathered data?</source>
            <translation>Deseja também salvar uma nova planilha com os dados obtidos?</translation>
        </message>
        <message>
            <source>&amp;Fetch</source>
            <translation>&amp;Buscar</translation>
        </message>
        <message>
            <source>&amp;Delete</source>
            <translation>&amp;Excluir</translation>
        </message>
        <message>
            <source>Fetch the client into the form</source>
            <translation>Trazer o cliente para o formulário</translation>
        </message>
        <message>
            <source>Remove the client from the database</source>
            <translation>Remover o cliente do banco de dados</translation>
        </message>
        <message>
            <source>Fetch the vehicle into the form</source>
            <translation>Trazer o veículo para o formulário</translation>
        </message>
        <message>
            <source>Remove the vehicle from the database</source>
            <translation>Remover o veículo do banco de dados</translation>
        </message>
        <message>
            <source>Fetch the instance into the form</source>
            <translation>Trazer a instância para o formulário</translation>
        </message>
        <message>
            <source>Remove the instance from the database</source>
            <translation>Remover a instância do banco de dados</translation>
        </message>
        <message>
            <source>Missing vehicle name.</source>
            <translation>Falta o nome do veículo.</translation>
        </message>
        <message>
            <source>Vehicle already exist, change the 'name' field.</source>
            <translation>O veículo já existe, altere o campo 'nome'.</translation>
        </message>
        <message>
            <source>Missing client name.</source>
            <translation>Falta o nome do cliente.</translation>
        </message>
        <message>
            <source>Missing client address.</source>
            <translation>Falta o endereço do cliente.</translation>
        </message>
        <message>
            <source>Missing client number.</source>
            <translation>Falta o número do cliente.</translation>
        </message>
        <message>
            <source>Missing client neighborhood.</source>
            <translation>Falta o bairro do cliente.</translation>
        </message>
        <message>
            <source>Missing client city.</source>
            <translation>Falta a cidade do cliente.</translation>
        </message>
        <message>
            <source>Missing client state.</source>
            <translation>Falta o estado do cliente.</translation>
        </message>
        <message>
            <source>Missing client country.</source>
            <translation>Falta o país do cliente.</translation>
        </message>
        <message>
            <source>Missing client lat.</source>
            <translation>Falta a lat do cliente.</translation>
        </message>
        <message>
            <source>Missing client long.</source>
            <translation>Falta a long do cliente.</translation>
        </message>
        <message>
            <source>Invalid lat/long values.</source>
            <translation>Valores de lat/long inválidos.</translation>
        </message>
    </context>
</TS>
